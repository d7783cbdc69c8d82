#pragma once
// Marks the platform core's own interface as visible from its shared library.
#define PLATFORM_API __attribute__((visibility("default")))
