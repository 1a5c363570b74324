// Every message the execute command shows. The texts are code page 936
// bytes (the sources are UTF-8; the build converts their literals).
#pragma once

#include <string_view>

namespace vantorel {

enum class MessageId {
  kNothingChosen,          // A
  kNoInstallDir,           // B
  kNoMemberName,           // C
  kNoProfileForRemoval,    // D
  kRemoved,                // E
  kAlreadyRemoved,         // F
  kNoProfileForRestoring,  // G
  kRestored,               // H
  kAlreadyRestored,        // I
  kRemovalIncomplete,      // some advertisement file could not be blocked
  kRestorationIncomplete,  // some advertisement file could not be put back
};

inline constexpr unsigned kStyleInformation = 64;  // MB_ICONINFORMATION, one OK button
inline constexpr unsigned kStyleWarning = 48;      // MB_ICONEXCLAMATION, one OK button

struct Message {
  MessageId id;
  std::string_view text;
  unsigned style;
};

const Message& MessageFor(MessageId id);

// The title of every message box of the program.
extern const std::string_view kMessageTitle;

}  // namespace vantorel
