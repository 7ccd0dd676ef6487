#!/usr/bin/env bash
# Spell-checks every Czech word of the verb meanings in data/verbs.txt with
# hunspell and the Czech dictionary. A word that the dictionary lacks but that
# is right belongs in data/spelling-allowlist.txt, after review.
# Usage: spell_check_meanings.sh DATA_DIRECTORY
set -euo pipefail
data=$1

spell() { hunspell -d cs_CZ -i utf-8 -l; }

# A dictionary that failed to load would pass every word.
if [[ $(echo "peskovát" | spell) != "peskovát" ]]; then
    echo "hunspell with the cs_CZ dictionary does not work here" >&2
    exit 1
fi

unknown=$(grep -v '^[[:space:]]*#' "$data/verbs.txt" | cut -f2 | spell | sort -u |
          grep -vxF -f <(grep -v '^#' "$data/spelling-allowlist.txt") || true)
if [[ -n $unknown ]]; then
    echo "Words of the meanings that the Czech dictionary does not know:" >&2
    echo "$unknown" >&2
    exit 1
fi
