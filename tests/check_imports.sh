#!/usr/bin/env bash
# The program is one static file for Windows XP SP3 and later: it may import
# only DLLs that Windows ships, none of the functions those DLLs gained after
# XP, and it must declare a subsystem version XP accepts.
# Usage: check_imports.sh OBJDUMP EXE MAX_SUBSYSTEM_VERSION
# (5.1 for the 32-bit program, 5.2 for the 64-bit one: XP x64 is 5.2)
set -euo pipefail
objdump=$1
exe=$2
limit=$3
[[ -f $exe ]] || { echo "missing: $exe"; exit 1; }
dump=$("$objdump" -p "$exe")

allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|msvcrt|uxtheme|version)\.dll$'
status=0
while read -r dll; do
  if ! tr '[:upper:]' '[:lower:]' <<<"$dll" | grep -Eq "$allowed"; then
    echo "imports a DLL that is not part of Windows: $dll"
    status=1
  fi
done < <(awk '/DLL Name:/ {print $3}' <<<"$dump")

# Functions that Windows XP lacks and that toolchain runtimes like to pull in.
newer='^(GetTickCount64|InitializeSRWLock|AcquireSRWLock.*|ReleaseSRWLock.*|TryAcquireSRWLock.*|InitializeConditionVariable|SleepConditionVariable.*|WakeConditionVariable|WakeAllConditionVariable|InitOnce.*|Fls(Alloc|Free|GetValue|SetValue)|CreateSymbolicLink.*|GetFinalPathNameByHandle.*|CreateEventEx.*|CreateMutexEx.*|CreateSemaphoreEx.*|GetFileInformationByHandleEx|SetFileInformationByHandle|GetSystemTimePreciseAsFileTime|GetCurrentProcessorNumber|SetThreadErrorMode|GetErrorMode|RegGetValue.*|RegDeleteKeyEx.*|RegDeleteTree.*|CompareStringEx|LCIDToLocaleName|LocaleNameToLCID|GetLocaleInfoEx|GetUserDefaultLocaleName|WerRegister.*|QueryFullProcessImageName.*|InitializeCriticalSectionEx|GetNamedPipe.*Process.*|SHGetKnownFolderPath|TaskDialog.*)$'
while read -r function; do
  if grep -Eq "$newer" <<<"$function"; then
    echo "imports a function Windows XP lacks: $function"
    status=1
  fi
done < <(awk '/DLL Name:/ {inside=1; next} inside && NF >= 3 && $1 ~ /^[0-9a-f]+$/ {print $3}' <<<"$dump")

major=$(awk '/MajorSubsystemVersion/ {print $2}' <<<"$dump")
minor=$(awk '/MinorSubsystemVersion/ {print $2}' <<<"$dump")
if (( major > ${limit%.*} || (major == ${limit%.*} && minor > ${limit#*.}) )); then
  echo "subsystem version $major.$minor is newer than Windows XP's $limit"
  status=1
fi
[[ $status == 0 ]] && echo "$(basename "$exe"): $(awk '/DLL Name:/' <<<"$dump" | wc -l) system DLLs, nothing newer than Windows XP"
exit $status
