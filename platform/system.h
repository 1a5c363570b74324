// The Windows services of the program's shell beside the disk: processes,
// the registry, message boxes, the main window's focus and destruction, the
// folder browser, web pages and the controls' look. All on the UI thread,
// on the ANSI functions; a text answered is new and owned by the caller.
// There is no failure report: a failure shows only in the answer.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The image name of every process, in snapshot order, the idle and system
// entries and this process included; empty when no snapshot can be taken.
// CreateToolhelp32Snapshot, Process32First / Process32Next, CloseHandle.
std::vector<std::string> ListProcessNames();

// `path` is a key path and a value name joined by "\"; it is split at the
// last "\" that is not the second byte of a double-byte character (a byte of
// 0x80 or more leads one). A REG_SZ value answers its text up to the first
// NUL, a REG_EXPAND_SZ value its text expanded; every other type, a missing
// key or value, an empty value and any failure answer the empty text. The
// 64-bit build reads the 32-bit view (KEY_WOW64_32KEY), as the 32-bit build
// does on 64-bit Windows. RegOpenKeyExA, RegQueryValueExA, RegCloseKey,
// ExpandEnvironmentStringsA.
std::string ReadRegistryText(HKEY root, std::string_view path);

// A task-modal message box with no owner (MB_TASKMODAL is added to
// `style`). Answers 0 when it was closed with OK, which is how any OK-only
// box closes, and also when it could not be shown. MessageBoxA.
int ShowMessage(std::string_view text, unsigned style, std::string_view title);

// The private request that DestroyMainWindow posts. The main window answers
// it with DestroyWindow, from the message loop, once the handler that asked
// has returned.
inline constexpr UINT kDestroyRequestMessage = WM_APP + 1;

// Posts the request and returns at once. PostMessageA.
void DestroyMainWindow(HWND main_window);

// SetFocus on the control.
void FocusControl(HWND control);

// The shell's folder browser, modal over the active window, with `title`
// and a box to type a name in (BIF_EDITBOX). Answers the chosen folder's
// path (a drive's root ends in "\"), or the empty text for Cancel and for
// an item with no file-system path. SHBrowseForFolderA,
// SHGetPathFromIDListA, the item list freed with SHGetMalloc's allocator.
std::string BrowseForFolder(std::string_view title);

// Opens the URL with the handler registered for its scheme, without
// waiting; a failure is ignored. ShellExecuteA "open", SW_SHOWNORMAL.
void OpenWebPage(std::string_view url);

// Scheme 1 draws the thread's standard controls in the Windows XP look. The
// program's manifest asks for the common controls of version 6, so this is
// the system's visual styles: it makes sure they are loaded
// (InitCommonControlsEx); nothing behaves differently without them.
void ApplyXpLook(int scheme);

}  // namespace vantorel
