#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree and checks its file list and dependency fields.
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb="$(ls "$out"/*.deb)"
info="$(dpkg-deb -I "$deb")"
files="$(dpkg-deb -c "$deb" | awk '{print $6}')"
fail=0
expect_file() { grep -qx "$1" <<<"$files" || { echo "missing in package: $1"; fail=1; }; }
expect_field() { grep -q "$1" <<<"$info" || { echo "missing in control: $1"; fail=1; }; }
expect_file ./usr/libexec/eitango/eitango
expect_file ./usr/bin/eitango
expect_file ./usr/share/applications/eitango.desktop
expect_file ./usr/share/icons/hicolor/scalable/apps/eitango.svg
expect_file ./usr/share/icons/hicolor/48x48/apps/eitango.png
expect_file ./usr/share/eitango/homepage/index.html
expect_file ./usr/share/eitango/course/E1/DAIMOKU
expect_file ./usr/share/eitango/course/E1/LVNAME
expect_file ./usr/share/eitango/course/E1/E1.DAT
expect_file ./usr/share/eitango/course/E1/tenj01.dat
expect_file ./usr/share/eitango/course/E1/tenr03.dat
for n in $(seq 1 60); do expect_file "./usr/share/eitango/course/E1/T/LEVEL.$n"; done
expect_field "Package: eitango"
expect_field "Section: education"
for dep in libqt6widgets6 libqt6printsupport6 libqt6gui6 fonts-ipafont-gothic fonts-ipafont-mincho; do
  expect_field "Depends:.*$dep"
done
# Nothing may be installed outside /usr.
if grep -v '^\./usr/' <<<"$files" | grep -vx './' | grep -q .; then
  echo "files outside /usr:"; grep -v '^\./usr/' <<<"$files" | grep -vx './'; fail=1
fi
[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$fail"
