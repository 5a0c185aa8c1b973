#!/bin/sh
# Builds the Debian package from a built tree and checks what it holds. The library scan for
# the dependencies runs `file` on every packaged file (a minute on a busy machine), so it is
# left to scripts/package.sh, which lintian checks.
# Usage: tst_package.sh <build folder>. Exits 77 (skipped) without the Debian tools.
set -eu
build=$1
for tool in cpack dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "$tool not found: skipped"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF \
    >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/k3config_*.deb)
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$out/files"
status=0
for path in /usr/bin/k3config /usr/bin/k3config-demo /usr/share/k3config/shipped.sha256 \
    /usr/share/k3config/Exo-Medium.ttf /usr/share/k3config/modules/setting/pD.bin \
    /usr/share/k3config/modules/i18n/lang_031000.ini /usr/lib/udev/rules.d/70-k3config.rules \
    /usr/share/applications/k3config.desktop /usr/share/icons/hicolor/256x256/apps/k3config.png \
    /usr/share/metainfo/org.example.k3config.metainfo.xml /usr/share/man/man1/k3config.1.gz \
    /usr/share/bash-completion/completions/k3config /usr/share/doc/k3config/copyright \
    /usr/share/dbus-1/services/org.k3config.Keyboard.service; do
    grep -qx "$path" "$out/files" || { echo "missing from the package: $path"; status=1; }
done
# Nothing of the build's own run-time folder or the scene's sources.
if grep -E '/modules/qml/|/usr/bin/modules' "$out/files"; then status=1; fi
control=$(dpkg-deb -f "$deb" Depends)
for dep in qml6-module-qtquick qml6-module-qtqml-workerscript; do
    case $control in *"$dep"*) ;; *) echo "Depends lacks $dep: $control"; status=1 ;; esac
done
dpkg-deb -I "$deb" postinst | grep -q 'udevadm trigger' || { echo "postinst does not apply the udev rule"; status=1; }
exit $status
