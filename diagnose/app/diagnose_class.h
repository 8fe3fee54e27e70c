// The diagnostic tool's dialog window class, which is also the name of the
// semaphore that marks a running tool.
#pragma once

constexpr char kDiagnoseClassName[] = "KX310DiagnoseClass";
