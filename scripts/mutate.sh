#!/bin/bash
# Plants one fault at a time in the product code, rebuilds, runs the tests and reports the
# faults that no test caught, telling those left unguarded on purpose from those missed, and how
# long the tests took to catch each. A tool to run by hand, not part of CI; it restores every file.
# Usage: scripts/mutate.sh [--each] [FAULT-NUMBER...]   (default: every fault below)
#   --each runs every test for every fault and names the tests that caught it.
set -uo pipefail
cd "$(dirname "$0")/.."
each=
[ "${1:-}" = --each ] && { each=1; shift; }

# One fault a line: file ^ text to find (exactly once) ^ replacement ^ what it is, and for a
# fault left unguarded on purpose a fifth field: its class (see the README's Testing) and why;
# \n in the texts stands for a line break.
faults=$(cat <<'EOF'
tracker/PointerMapping.cpp^Quotient(WrappingSubtract(last, value), sensitivity)^Quotient(WrappingSubtract(value, last), sensitivity)^wrong sign of the relative move
tracker/PointerMapping.cpp^WrappingSubtract(0xFFFF, value)^WrappingSubtract(0xFFFE, value)^off-by-one inversion
tracker/PointerMapping.cpp^move.EventY = WrappingAdd(parameters.BaseY, move.ShownY);^move.EventY = move.ShownY;^base Y left out
tracker/PointerMapping.cpp^        lastSample = {x, y};\n    } else {^    } else {^an absolute tick does not keep its sample
tracker/PointerMapping.cpp^last = sensitivity == 0 ? value : WrappingSubtract(last, WrappingMultiply(move, sensitivity));^last = sensitivity == 0 ? value : WrappingSubtract(value, WrappingMultiply(0, sensitivity));^the division remainder dropped
tracker/PointerMapping.cpp^last = sensitivity == 0 ? value : ^last = ^sensitivity 0 carries the whole change
tracker/PointerMapping.cpp^    if (sensitivity == -1)\n        return WrappingSubtract(0, value);\n^^INT32_MIN / -1 left to trap
tracker/PointerStep.cpp^MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE :^MOUSEEVENTF_ABSOLUTE :^absolute move without the move flag
tracker/PointerStep.cpp^shownY = move.ShownY;^shownY = move.ShownX;^wrong value shown for y
tracker/PointerStep.h^InitialMappingParameters{true, true, true, 1, 1, 0, 0}^InitialMappingParameters{true, false, true, 1, 1, 0, 0}^wrong initial inversion
tracker/TrackerDriver.cpp^    case 2:\n    case 3:^    case 2:^status 3 in the wrong failure class^8: a result code nobody reads
tracker/TrackerDriver.cpp^    drive.open();\n^\n^VFXOpen never called
tracker/TrackerDriver.cpp^SetVideoMode(0) == TrackerOk^SetVideoMode(1) == TrackerOk^wrong video mode
tracker/TrackerDriver.cpp^    if (drive.close)\n        drive.close();\n^\n^VFXClose never called
tracker/TrackerDriver.cpp^    drawLibrary = nullptr;\n^\n^a closed VFXDraw.dll not forgotten
tracker/TrackerDriver.cpp^ && drive.zeroSet &&^ &&^VFXZeroSet not required^5: a driver call only a vendor's DLL without it shows
tracker/TrackerDriver.cpp^"VFXSetIPDPercent"^"VFXSetIPD"^wrong entry point name
dialog/Unit1.cpp^"Running        x = %d  y = %d"^"Running       x = %d  y = %d"^status text with seven blanks
dialog/Unit1.cpp^    Status.Repaint(); // opening the tracker can take a while\n^\n^"Starting VFX3D..." never painted^7: a text shown while the tracker opens
dialog/Unit1.cpp^        Parameters.SetEnabled(false);\n^\n^parameters usable while tracking
dialog/Unit1.cpp^        FirstSample = true;\n^\n^no fresh baseline at Activate
dialog/Unit1.cpp^    CloseTracker();\n    Profiles.SetEnabled(true);^    Profiles.SetEnabled(true);^Stop keeps the tracker open
dialog/Unit1.cpp^    OfferToSavePendingEdits();\n    Application->Terminate();^    Application->Terminate();^Exit loses pending edits
dialog/Unit1.cpp^    OnClose = [this] { ExitClick(); };\n^\n^close box skips the exit sequence
dialog/Unit1.cpp^Status.SetCaption("Stopped.");^Status.SetCaption("Stopped");^Stop text without its full stop
dialog/Unit1.h^constexpr UINT TickIntervalMs = 3;^constexpr UINT TickIntervalMs = 30;^slow tick
dialog/ProfileFile.cpp^MappingParameters.YSens = ReadParameter(path, "YSens");^MappingParameters.YSens = ReadParameter(path, "XSens");^wrong key for YSens
dialog/ProfileFile.cpp^    ProfileModified = false;\n    return true;^    return true;^a load leaves the profile modified
dialog/ProfileFile.cpp^answer == IDOK && !SaveCurrentProfile()^answer == IDCANCEL && !SaveCurrentProfile()^saves on Cancel
dialog/ProfileFile.cpp^box.Checked() ? "1" : "0"^box.Checked() ? "0" : "1"^check states saved inverted
dialog/ProfileFile.cpp^"Nodlink", MB_OKCANCEL)^"Nodlink", MB_OKCANCEL | MB_ICONQUESTION)^save prompt with an icon^7: an icon
dialog/ProfileFile.cpp^MarkerSection = "Configuration"^MarkerSection = "Config"^marker read from the wrong section
dialog/ProfileFile.cpp^ShowMessage("The profile could not be saved.");^static_cast<void>(0);^a failed save not reported
dialog/ProfileCatalogue.cpp^target->c_str(), TRUE)^target->c_str(), FALSE)^Add overwrites an existing profile
dialog/ProfileCatalogue.cpp^MB_YESNO | MB_DEFBUTTON2^MB_YESNO^Yes is the default of the delete prompt
dialog/ProfileCatalogue.cpp^    ListProfiles.SetItemIndex(0);\n    LoadSelectedProfile();^    LoadSelectedProfile();^nothing loaded after Delete
dialog/ProfileCatalogue.cpp^search("*.vfx", entry)^search("*.*", entry)^every file listed
dialog/ProfileCatalogue.cpp^    if (!IsPlainProfileName(name))\n        return false;\n^\n^unsafe names copied
dialog/ProfileCatalogue.cpp^if (IsTemplateFileName(FileNamePart(CurrentProfilePath)))^if (false)^the template deleted
dialog/EditText.cpp^        value = 0u - value;^        value = value;^sign of edit text lost
dialog/EditText.cpp^c == '\v' || ^^vertical tab not white space
dialog/ProgramPaths.cpp^path.find_last_of("\\/")^path.rfind('\\')^program directory ignores '/'^8: Windows gives the program's path with '\'
dialog/ProgramPaths.cpp^name.size() > MaxProgramPathLength - directory.size()^name.size() >= MaxProgramPathLength - directory.size()^a 255-character path refused^8: one name length at the limit
dialog/ProfileName.cpp^base[3] >= '1'^base[3] >= '0'^COM0 taken for a device
drivers/bridge/PosePacket.cpp^Scaled(pose.yaw - centre.yaw, -units * scale.yawSign)^Scaled(pose.yaw - centre.yaw, units * scale.yawSign)^the bridge's yaw the wrong way
drivers/bridge/PosePacket.cpp^    if (size != PosePacketSize)\n        return std::nullopt;^    if (size < PosePacketSize)\n        return std::nullopt;^a long datagram taken for a pose
drivers/bridge/VFXDrive.cpp^    if (bridge.self)\n        FreeLibrary(std::exchange(bridge.self, nullptr));^    bridge.self = nullptr;^the bridge never lets itself unload
drivers/bridge/PoseSocket.cpp^SO_EXCLUSIVEADDRUSE^SO_REUSEADDR^the port shared with other programs
forms/Label.cpp^const int width = textBox.right - textBox.left;^const int width = textBox.right - textBox.left - 3;^label narrower than its text^7: the gallery shows it
forms/Image.cpp^0, pictureHeight, pictureWidth, -pictureHeight^0, 0, pictureWidth, pictureHeight^banner upside down^7: the gallery shows it
forms/Form.cpp^WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT^WS_EX_DLGMODALFRAME^Tab cannot enter the groups^6: Tab order
forms/ListBox.cpp^LBS_SORT | LBS_NOTIFY^LBS_NOTIFY^profile list unsorted^7: the gallery shows it; Wine lists a folder sorted already
forms/GroupBox.cpp^        ForwardCommand(lParam, wParam);\n        return 0;^        return 0;^controls in a group raise no events
forms/Dpi.cpp^MulDiv(pixelsAt96Dpi, SystemDpi(), 96)^pixelsAt96Dpi^no DPI scaling^7: the gallery at 144 DPI shows it
forms/Form.cpp^font("MS Sans Serif", -11)^font("MS Sans Serif", -12)^window font too large^7: the gallery shows it
forms/Application.cpp^MB_OK | MB_ICONSTOP^MB_OK^exception box without its icon^7: an icon
forms/CheckBox.cpp^    if (checked == Checked())\n        return;\n^\n^filling a check box raises a click it should not^8: a load clears the flag it sets
forms/Dialogs.cpp^answer == IDOK ? request.text : defaultText^request.text^Cancel gives the typed name^8: Cancel leaves the typed text unread
forms/Control.cpp^    if (siblings == 0)\n        style |= WS_GROUP;\n^\n^no tab group^6: Tab order
dialog/Unit1.cpp^Status.SetCaption("Error initializing VFX3D.");^Status.SetCaption("VFX3D init OK.");^a failed Activate reported as success
dialog/Unit1.cpp^    LoadSelectedProfile();\n    Status.SetCaption("Starting VFX3D...");^    Status.SetCaption("Starting VFX3D...");^Activate tracks without the edits
dialog/ProfileFile.cpp^if (!path || !HasProfileMarker(*path))^if (!path)^a file without the marker loaded
dialog/ProgramPaths.cpp^return EqualsIgnoringAsciiCase(fileName, TemplateFileName);^return fileName == TemplateFileName;^the template deletable under another letter case
forms/Timer.cpp^    messagesFirst = MillisecondsNow() - start >= slow;^    messagesFirst = MillisecondsNow() - start >= slow * 100;^a slow tick starves the clicks that would stop it
forms/Timer.cpp^    if (timer != enabledTimers.end() && WaitForSingleObject^    if (WaitForSingleObject^a stand-in's tick after its timer stopped
forms/Timer.cpp^    if (woken < WAIT_OBJECT_0 + count)\n        enabledTimers[woken - WAIT_OBJECT_0]->Tick();^    if (woken < WAIT_OBJECT_0 + count)\n        enabledTimers[woken - WAIT_OBJECT_0]->Tick(), enabledTimers[woken - WAIT_OBJECT_0]->Tick();^two ticks for one that fell due
forms/Timer.cpp^        timeEndPeriod(ResolutionMs);\n^\n^the timer resolution kept raised after Stop^8: the system's power use, which no test here can see
forms/Label.cpp^    if (IsCaption(text, length) && !windowBehind)^    if (IsCaption(text, length))^the status window keeps an old tick's numbers
forms/Control.cpp^    try {\n        event();\n    } catch (const std::exception& exception) {\n        Application->ShowException(exception);\n    }^    event();^an exception in a handler ends the program
EOF
)

preset=windows-x64
prefix="$PWD/build/$preset/wine/prefix"
scripts/setup.sh host "$preset" --target all tests >/dev/null || { echo "mutate: the build fails before any fault" >&2; exit 2; }
. scripts/xvfb.sh
start_xvfb 1280x1024
cleanup() {
  git checkout -- tracker dialog forms drivers 2>/dev/null
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null
  kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT

# Each test executable once, fastest first; stops at the first that fails, unless --each was
# given: then runs them all and leaves the names of the failed tests in $failed_tests.
run_tests() {
  local exe status=0 output names
  failed_tests=
  for exe in build/host/tests/host/host_arithmetic_tests $(ls -S -r build/$preset/tests/bin/*.exe); do
    case $exe in
      *.exe) output=$(timeout 300 scripts/wine-run.sh "$prefix" x86_64 "$exe" --gtest_brief=1 2>&1) ;;
      *) output=$(timeout 300 "$exe" --gtest_brief=1 2>&1) ;;
    esac || {
      status=1
      [ -n "$each" ] || return 1
      names=$(sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_]*\.[A-Za-z0-9_]*\).*/\1/p' <<<"$output" | sort -u | tr '\n' ' ')
      failed_tests+=" ${names:-$(basename "$exe") (crashed or timed out)}"
    }
  done
  return $status
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

caught=0 missed=0 unguarded=0 absent=0 number=0
missed_list=()
while IFS='^' read -r file from to what class; do
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
  else
    start=$SECONDS
    if ! run_tests; then
      echo "$number  caught in $((SECONDS - start)) s  $what${class:+ (marked unguarded, class $class)}${each:+ by$failed_tests}"
      caught=$((caught + 1))
    elif [ -n "$class" ]; then
      echo "$number  unguarded on purpose, class $class  $what"
      unguarded=$((unguarded + 1))
    else
      echo "$number  MISSED          $what ($file)"
      missed=$((missed + 1))
      missed_list+=("$number")
    fi
  fi
  git checkout -- "$file"
done <<<"$faults"

cmake --build --preset host >/dev/null 2>&1
cmake --build --preset "$preset" --target all tests >/dev/null 2>&1
echo "mutate: $caught caught, $unguarded unguarded on purpose, $missed missed, $absent not applicable;" \
     "missed: ${missed_list[*]:-none}"
