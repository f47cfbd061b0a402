#!/bin/sh
# guide_describes_sample.sh SOURCE_DIR: the trader's guide says what the sample is, as the
# README does: real daily reference rates over the history files' own dates.
# Was: the guide called the sample made-up prices, not real market data.
guide="$1/docs/windows-guide.txt"
first=$(head -n 1 "$1/sample/EURUSD.csv" | cut -c1-10)
last=$(tail -n 1 "$1/sample/EURUSD.csv" | cut -c1-10)
status=0
for wanted in "real daily reference rates" "$first to $last"; do
  if ! tr '\n' ' ' <"$guide" | grep -q "$wanted"; then
    echo "the guide does not say \"$wanted\""
    status=1
  fi
done
if grep -qi "made-up" "$guide"; then
  echo "the guide calls the sample made up"
  status=1
fi
exit $status
