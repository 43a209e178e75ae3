#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as Debian does (dpkg-buildpackage on a copy of the source tree, in
# the build tree), then checks its file list, its control fields and that lintian finds nothing.
set -euo pipefail
source="$1"
work="$2/deb"
rm -rf "$work"
mkdir -p "$work/src"
tar -C "$source" --exclude='./build*' --exclude='./obj-*' --exclude=./.git --exclude=./.cache -cf - . | tar -C "$work/src" -xf -
if ! (cd "$work/src" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1; then
  grep -iE "error|warning" "$work/build.log" | tail -n 15; echo "(whole log: $work/build.log)"
  echo "0 passed, 1 failed"; exit 1
fi
arch="$(dpkg --print-architecture)"
deb="$(ls "$work"/eitango_*_"$arch".deb)"
info="$(dpkg-deb -I "$deb")"
files="$(dpkg-deb -c "$deb" | awk '{print $6}')"
fail=0
expect_file() { grep -qx "$1" <<<"$files" || { echo "missing in package: $1"; fail=1; }; }
expect_field() { grep -q "$1" <<<"$info" || { echo "missing in control: $1"; fail=1; }; }
expect_file ./usr/libexec/eitango/eitango
expect_file ./usr/bin/eitango
expect_file ./usr/share/applications/org.example.eitango.desktop
expect_file ./usr/share/metainfo/eitango.metainfo.xml
expect_file ./usr/share/man/man1/eitango.1.gz
expect_file ./usr/share/man/ja/man1/eitango.1.gz
expect_file ./usr/share/doc/eitango/copyright
expect_file ./usr/share/doc/eitango/changelog.gz
expect_file ./usr/share/icons/hicolor/scalable/apps/eitango.svg
expect_file ./usr/share/icons/hicolor/48x48/apps/eitango.png
expect_file ./usr/share/eitango/homepage/index.html
expect_file ./usr/share/eitango/course/E1/DAIMOKU
expect_file ./usr/share/eitango/course/E1/LVNAME
expect_file ./usr/share/eitango/course/E1/E1.DAT
expect_file ./usr/share/eitango/course/E1/tenj01.dat
expect_file ./usr/share/eitango/course/E1/tenr03.dat
for n in $(seq 1 60); do expect_file "./usr/share/eitango/course/E1/T/LEVEL.$n"; done
# The command on PATH is the launcher, not the program.
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/bin/eitango | head -n 1 | grep -qx '#!/bin/sh' \
  || { echo "/usr/bin/eitango is not the launcher"; fail=1; }
# Debug symbols go into their own package.
ls "$work"/eitango-dbgsym_*_"$arch".*deb >/dev/null 2>&1 || { echo "no dbgsym package"; fail=1; }
expect_field "Package: eitango"
expect_field "Section: education"
# libcups2 is loaded when something is printed, so it is named rather than found by linking.
for dep in libqt6widgets6 libqt6gui6 libcups2 libc6 qt6-qpa-plugins fonts-ipafont-gothic fonts-ipafont-mincho libhunspell-1.7-0 hunspell-en-us; do
  expect_field "Depends:.*$dep"
done
# Nothing may be installed outside /usr.
if grep -v '^\./usr/' <<<"$files" | grep -vx './' | grep -q .; then
  echo "files outside /usr:"; grep -v '^\./usr/' <<<"$files" | grep -vx './'; fail=1
fi
lintian -I -E --pedantic --fail-on error,warning "$work"/*.changes || { echo "lintian found errors or warnings"; fail=1; }
[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$fail"
