// The built-in quick start: examples/quickstart.scn, compiled into cmdhost.
#pragma once

extern const char* const kQuickStartName;
extern const char* const kQuickStart;
