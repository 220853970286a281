#!/usr/bin/env bash
# Builds the library natively, runs the control demo, then a short tour of the plmask tool over
# all ten data types: shown text to raw and back, the empty forms, and a validation.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLM_BUILD_DIR:-$root/build/native}

"$root/scripts/install-deps.sh" --native-only
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DPLM_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target plmdemo plmask -j"$(nproc)" >/dev/null

"$build/examples/demo/plmdemo"

plmask="$build/tools/plmask/plmask"
echo
echo "A tour of plmask: shown -> raw -> shown, and the empty field, for every data type"
tour() {  # tour TYPE FORMAT SHOWN
  local raw shown empty
  raw=$("$plmask" raw -t "$1" -f "$2" "$3")
  shown=$("$plmask" show -t "$1" -f "$2" "$raw")
  empty=$("$plmask" empty -t "$1" -f "$2")
  printf '  %-32s %-24s %-18s -> %-14s -> %-18s empty: "%s"\n' "$1" "$2" "$3" "$raw" "$shown" "$empty"
}
tour "Text"                           "(###) ###-####"        "(555) 123-4567"
tour "Currency"                       '$#,##0.00;($#,##0.00)' '($1,234.50)'
tour "Date"                           "mmm/dd/yyyy"           "Mar/15/1999"
tour "Time"                           "h:mm:ss AM/PM"         "1:05:09 PM"
tour "Whole Number (+-127)"           "0"                     "-12"
tour "Whole Number (+-32,767)"        "#,##0;(#,##0)"         "(1,234)"
tour "Whole Number (+-2,147,483,647)" "#,##0"                 "2,000,000"
tour "True/False"                     "Yes/No"                "Yes"
tour "Decimal (3.4E+-38, 7 digits)"   "0.00%"                 "12.50%"
tour "Decimal (1.7E+-308, 15 digits)" "#,##0.000"             "3,141.593"

echo
echo "Validation (exit status 0 valid, 1 invalid):"
for text in 02/28/1999 02/30/1999; do
  if "$plmask" check -k 2 -f mm/dd/yyyy "$text"; then verdict=valid; else verdict=invalid; fi
  printf '  %-12s under mm/dd/yyyy: %s\n' "$text" "$verdict"
done
for text in 23:59:59 25:00:00; do
  if "$plmask" check -k 3 -f hh:mm:ss "$text"; then verdict=valid; else verdict=invalid; fi
  printf '  %-12s under hh:mm:ss:   %s\n' "$text" "$verdict"
done
