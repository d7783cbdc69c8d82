#pragma once
// Marks the GDI layer's own interface as visible from its shared library.
#define PLATFORM_GDI_API __attribute__((visibility("default")))
