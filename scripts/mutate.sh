#!/bin/bash
# Plants one fault at a time in the product code, rebuilds, runs the tests and reports the
# faults that no test caught. A tool to run by hand, not part of CI; it restores every file.
# Usage: scripts/mutate.sh [FAULT-NUMBER...]   (default: every fault below)
set -uo pipefail
cd "$(dirname "$0")/.."

# One fault a line: file ^ text to find (exactly once) ^ replacement ^ what it is; \n in the
# texts stands for a line break.
faults=$(cat <<'EOF'
tracker/PointerMapping.cpp^WrappingSubtract(lastSample.X, x)^WrappingSubtract(x, lastSample.X)^wrong sign of the relative x move
tracker/PointerMapping.cpp^WrappingSubtract(0xFFFF, value)^WrappingSubtract(0xFFFE, value)^off-by-one inversion
tracker/PointerMapping.cpp^move.EventY = WrappingAdd(parameters.BaseY, move.ShownY);^move.EventY = move.ShownY;^base Y left out
tracker/PointerMapping.cpp^    lastSample = {x, y};\n    return move;^    return move;^last sample not kept
tracker/PointerStep.cpp^MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE :^MOUSEEVENTF_ABSOLUTE :^absolute move without the move flag
tracker/PointerStep.cpp^shownY = move.ShownY;^shownY = move.ShownX;^wrong value shown for y
tracker/PointerStep.cpp^MappingParameters{true, true, true, 1, 1, 0, 0}^MappingParameters{true, false, true, 1, 1, 0, 0}^wrong initial inversion
tracker/TrackerDriver.cpp^    case 2:\n    case 3:^    case 2:^status 3 in the wrong failure class
tracker/TrackerDriver.cpp^    drive.open();\n^\n^VFXOpen never called
tracker/TrackerDriver.cpp^SetVideoMode(0) == TrackerOk^SetVideoMode(1) == TrackerOk^wrong video mode
tracker/TrackerDriver.cpp^    if (drive.close)\n        drive.close();\n^\n^VFXClose never called
tracker/TrackerDriver.cpp^    drawLibrary = nullptr;\n^\n^a closed VFXDraw.dll not forgotten
tracker/TrackerDriver.cpp^ && drive.zeroSet &&^ &&^VFXZeroSet not required
tracker/TrackerDriver.cpp^"VFXSetIPDPercent"^"VFXSetIPD"^wrong entry point name
dialog/Unit1.cpp^"Running        x = %d  y = %d"^"Running       x = %d  y = %d"^status text with seven blanks
dialog/Unit1.cpp^    Status.Repaint(); // opening the tracker can take a while\n^\n^"Starting VFX3D..." never painted
dialog/Unit1.cpp^        Parameters.SetEnabled(false);\n^\n^parameters usable while tracking
dialog/Unit1.cpp^    CloseTracker();\n    Profiles.SetEnabled(true);^    Profiles.SetEnabled(true);^Stop keeps the tracker open
dialog/Unit1.cpp^    OfferToSavePendingEdits();\n    Application->Terminate();^    Application->Terminate();^Exit loses pending edits
dialog/Unit1.cpp^    OnClose = [this] { ExitClick(); };\n^\n^close box skips the exit sequence
dialog/Unit1.cpp^Status.SetCaption("Stopped.");^Status.SetCaption("Stopped");^Stop text without its full stop
dialog/Unit1.cpp^constexpr UINT TickIntervalMs = 3;^constexpr UINT TickIntervalMs = 30;^slow tick
dialog/ProfileFile.cpp^MappingParameters.YSens = ReadParameter(path, "YSens");^MappingParameters.YSens = ReadParameter(path, "XSens");^wrong key for YSens
dialog/ProfileFile.cpp^    ProfileModified = false;\n    return true;^    return true;^a load leaves the profile modified
dialog/ProfileFile.cpp^answer == IDOK && !SaveCurrentProfile()^answer == IDCANCEL && !SaveCurrentProfile()^saves on Cancel
dialog/ProfileFile.cpp^box.Checked() ? "1" : "0"^box.Checked() ? "0" : "1"^check states saved inverted
dialog/ProfileFile.cpp^"Nodlink", MB_OKCANCEL)^"Nodlink", MB_OKCANCEL | MB_ICONQUESTION)^save prompt with an icon
dialog/ProfileFile.cpp^MarkerSection = "Configuration"^MarkerSection = "Config"^marker read from the wrong section
dialog/ProfileCatalogue.cpp^target->c_str(), TRUE)^target->c_str(), FALSE)^Add overwrites an existing profile
dialog/ProfileCatalogue.cpp^MB_YESNO | MB_DEFBUTTON2^MB_YESNO^Yes is the default of the delete prompt
dialog/ProfileCatalogue.cpp^    ListProfiles.SetItemIndex(0);\n    LoadSelectedProfile();^    LoadSelectedProfile();^nothing loaded after Delete
dialog/ProfileCatalogue.cpp^search("*.vfx", entry)^search("*.*", entry)^every file listed
dialog/ProfileCatalogue.cpp^    if (!IsPlainProfileName(name))\n        return false;\n^\n^unsafe names copied
dialog/EditText.cpp^        value = 0u - value;^        value = value;^sign of edit text lost
dialog/EditText.cpp^c == '\v' || ^^vertical tab not white space
dialog/ProgramPaths.cpp^path.find_last_of("\\/")^path.rfind('\\')^program directory ignores '/'
dialog/ProgramPaths.cpp^name.size() > MaxProgramPathLength - directory.size()^name.size() >= MaxProgramPathLength - directory.size()^a 255-character path refused
dialog/ProfileName.cpp^base[3] >= '1'^base[3] >= '0'^COM0 taken for a device
forms/Label.cpp^const int width = textBox.right - textBox.left;^const int width = textBox.right - textBox.left - 3;^label narrower than its text
forms/Image.cpp^0, pictureHeight, pictureWidth, -pictureHeight^0, 0, pictureWidth, pictureHeight^banner upside down
forms/Form.cpp^WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT^WS_EX_DLGMODALFRAME^Tab cannot enter the groups
forms/ListBox.cpp^LBS_SORT | LBS_NOTIFY^LBS_NOTIFY^profile list unsorted
forms/GroupBox.cpp^        ForwardCommand(lParam, wParam);\n        return 0;^        return 0;^controls in a group raise no events
forms/Dpi.cpp^MulDiv(pixelsAt96Dpi, SystemDpi(), 96)^pixelsAt96Dpi^no DPI scaling
forms/Form.cpp^font("MS Sans Serif", -11)^font("MS Sans Serif", -12)^window font too large
forms/Application.cpp^MB_OK | MB_ICONSTOP^MB_OK^exception box without its icon
forms/CheckBox.cpp^    if (checked == Checked())\n        return;\n^\n^filling a check box raises a click it should not
forms/Dialogs.cpp^answer == IDOK ? request.text : defaultText^request.text^Cancel gives the typed name
forms/Control.cpp^    if (siblings == 0)\n        style |= WS_GROUP;\n^\n^no tab group
EOF
)

preset=windows-x64
prefix="$PWD/build/$preset/wine/prefix"
scripts/setup.sh host "$preset" --target all tests >/dev/null || { echo "mutate: the build fails before any fault" >&2; exit 2; }
. scripts/xvfb.sh
start_xvfb 1280x1024
cleanup() {
  git checkout -- tracker dialog forms 2>/dev/null
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null
  kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT

# Each test executable once, fastest first; stops at the first that fails.
run_tests() {
  local exe
  timeout 300 build/host/tests/host/host_arithmetic_tests --gtest_brief=1 >/dev/null 2>&1 || return 1
  for exe in $(ls -S -r build/$preset/tests/bin/*.exe); do
    timeout 300 scripts/wine-run.sh "$prefix" x86_64 "$exe" --gtest_brief=1 >/dev/null 2>&1 || return 1
  done
  return 0
}

# Replaces the one occurrence of FROM by TO in FILE; fails when FROM is not there exactly once.
plant() {
  python3 - "$@" <<'PY'
import sys
path, old, new = sys.argv[1], sys.argv[2].replace('\\n', '\n'), sys.argv[3].replace('\\n', '\n')
text = open(path).read()
if text.count(old) != 1:
    sys.exit(1)
open(path, 'w').write(text.replace(old, new))
PY
}

echo "mutate: running the tests without a fault"
if ! run_tests; then
  echo "mutate: the tests fail without a fault; fix that first" >&2
  exit 2
fi

caught=0 missed=0 absent=0 number=0
missed_list=()
while IFS='^' read -r file from to what; do
  number=$((number + 1))
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qx "$number"; then continue; fi
  if ! plant "$file" "$from" "$to"; then
    echo "$number  not applicable  $what ($file)"
    absent=$((absent + 1))
    continue
  fi
  if ! cmake --build --preset host >/dev/null 2>&1 || ! cmake --build --preset "$preset" --target all tests >/dev/null 2>&1; then
    echo "$number  caught (build)  $what"
    caught=$((caught + 1))
  elif run_tests; then
    echo "$number  MISSED          $what ($file)"
    missed=$((missed + 1))
    missed_list+=("$number")
  else
    echo "$number  caught          $what"
    caught=$((caught + 1))
  fi
  git checkout -- "$file"
done <<<"$faults"

cmake --build --preset host >/dev/null 2>&1
cmake --build --preset "$preset" --target all tests >/dev/null 2>&1
echo "mutate: $caught caught, $missed missed, $absent not applicable; missed: ${missed_list[*]:-none}"
