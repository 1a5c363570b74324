// Reading the windows of another thread or process from outside, as a user
// sees them: for tests that work the real Win32 user interface.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel::testing {

// Waits up to `timeout_ms` for `find` to answer a window.
HWND WaitForWindow(const std::function<HWND()>& find, DWORD timeout_ms = 10000);
// Waits up to `timeout_ms` for `done` to answer true; answers the last answer.
bool WaitUntil(const std::function<bool()>& done, DWORD timeout_ms = 10000);

// The first top-level window of the process `process_id` (0: any process)
// of class `window_class` for which `accept` (if given) answers true.
HWND FindTopLevelWindow(std::string_view window_class, DWORD process_id,
                        const std::function<bool(HWND)>& accept = nullptr);

// A visible top-level dialog (class #32770) of the process `process_id`
// (0: any process) whose caption is `title`.
HWND FindDialog(std::string_view title, DWORD process_id = 0);

std::string WindowText(HWND window);
std::string ClassName(HWND window);
std::vector<HWND> Children(HWND window);

// The text of a message box, and whether it shows an icon.
std::string MessageBoxText(HWND box);
bool MessageBoxHasIcon(HWND box);

// The folder of the running test program, without a closing "\".
std::string ProgramFolder();

// The Windows form of a POSIX path in the Wine prefix's Z: drive.
std::string WinePathOf(std::string_view posix_path);

// The lines a file holds, or none.
std::vector<std::string> ReadLines(std::string_view path);

}  // namespace vantorel::testing
