#!/usr/bin/env bash
# The package's own papers agree with the project: the changelog's newest
# entry is this version, released on the day the AppStream data says, and
# the copyright file states the license the AppStream data states, with its
# text. lintian checks the form of these files; it cannot see that they
# contradict each other.
#   check_package_sources.sh SOURCE_DIR VERSION APP_ID
set -euo pipefail
src=$1
version=$2
id=$3
changelog=$src/packaging/changelog
copyright=$src/packaging/copyright
metainfo=$src/assets/desktop/$id.metainfo.xml
failed=0
fail() { echo "$*"; failed=1; }

logged=$(dpkg-parsechangelog -l "$changelog" -S Version)
[ "$logged" = "$version" ] || fail "packaging/changelog's newest entry is $logged, the project is $version"
day=$(date -u -d "@$(dpkg-parsechangelog -l "$changelog" -S Timestamp)" +%F)
release=$(grep -o '<release [^>]*>' "$metainfo" | head -1)
[[ $release == *"version=\"$version\""* ]] || fail "the AppStream data's newest release is not $version: $release"
[[ $release == *"date=\"$day\""* ]] || fail "the AppStream release and the changelog disagree on the day ($day): $release"

license=$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' "$metainfo")
[ -n "$license" ] || fail "no project_license in the AppStream data"
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "packaging/copyright is not in the machine-readable format"
# Every paragraph's License names the project's license ...
names=$(sed -n 's/^License: *//p' "$copyright" | sort -u)
[ "$names" = "$license" ] || fail "packaging/copyright states '$names', the AppStream data '$license'"
# ... and a stand-alone paragraph gives its text.
awk -v want="$license" '
  /^License: / { inside = ($2 == want) && !files; next }
  /^Files: / { files = 1 }
  /^$/ { files = 0; inside = 0 }
  inside && /^ [^ .]/ { text = 1 }
  END { exit text ? 0 : 1 }' "$copyright" || fail "packaging/copyright gives no text for $license"

[ $failed -eq 0 ] && echo "changelog, copyright and AppStream data agree on $version and $license"
exit $failed
