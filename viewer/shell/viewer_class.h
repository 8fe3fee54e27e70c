// The viewer's main window class, which is also the name of the semaphore
// that marks a running viewer.
#pragma once

constexpr char kViewerClassName[] = "KX310WINClass";
