#!/bin/bash
# Static analysis of the product and both drivers (not the tests, not the benches) as the 32-bit
# product compiles them: clang-tidy with the checks of .clang-tidy, then cppcheck. Fails on any
# finding; each is printed as file:line, what, [check].
set -euo pipefail
cd "$(dirname "$0")/.."

# Each file's flags come from the windows-x86 tree's compile database.
[ -f build/windows-x86/compile_commands.json ] || cmake --preset windows-x86 >/dev/null
sources=$(git ls-files 'tracker/*.cpp' 'forms/*.cpp' 'dialog/*.cpp' 'drivers/*.cpp')
status=0

# clang takes the target, i686-w64-mingw32, from the compiler's name in the database and finds
# MinGW's C headers, but not its C++ library: it does not read Debian's folder name
# (lib/gcc/i686-w64-mingw32/12-posix) as a GCC version. The cross compiler names those folders.
isystem=()
while read -r dir; do
  isystem+=("--extra-arg-before=-isystem$dir")
done < <(i686-w64-mingw32-g++-posix -E -x c++ -v /dev/null 2>&1 | sed -n 's|^ \(/.*/include/c++[^ ]*\)$|\1|p')
echo "$sources" | xargs -P2 -n1 clang-tidy-14 -p build/windows-x86 --quiet "${isystem[@]}" 2>&1 |
  { grep -v -E '^[0-9]+ (warning|error)s?( and [0-9]+ errors?)? generated\.$' || true; } || status=1

# cppcheck reads none of the system headers (a missing one is no finding): its windows library
# knows the API.
cppcheck --project=build/windows-x86/compile_commands.json --file-filter='tracker/*' --file-filter='forms/*' \
  --file-filter='dialog/*' --file-filter='drivers/*' --enable=warning,performance,portability \
  --library=windows --platform=win32A --suppress=missingIncludeSystem --inline-suppr -j2 --quiet \
  --error-exitcode=1 --template='{file}:{line}: {severity}: {message} [{id}]' || status=1
exit $status
