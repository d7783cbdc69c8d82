#pragma once
// Marks the Qt platform layer's own interface as visible from its shared library.
#define PLATFORM_UI_API __attribute__((visibility("default")))
