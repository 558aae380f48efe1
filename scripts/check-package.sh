#!/usr/bin/env bash
# Builds the Debian package from build/ (cpack -G DEB), unpacks it into a scratch root with
# dpkg-deb -x and checks what a store would get: the files, the declared dependencies, the
# desktop entry and its icons, a new store made by the installed tavolim-tool, and the installed
# program making its store in the per-user data folder on its first start.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "check-package: $*" >&2
    exit 1
}

cmake --build build --parallel "$(nproc)" --target tavolim tavolim-tool tavolim_icons
rm -f build/tavolim_*.deb
(cd build && cpack -G DEB > cpack.log 2>&1) || { cat build/cpack.log >&2; fail "cpack falhou"; }
debs=(build/tavolim_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "nenhum pacote em build/"
deb=${debs[0]}

scratch=$(mktemp -d)
program_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT
root=$scratch/root
dpkg-deb -x "$deb" "$root"

for f in usr/bin/tavolim usr/bin/tavolim-tool; do
    [ -x "$root/$f" ] || fail "falta o executável /$f"
done
expected=(
    usr/share/applications/tavolim.desktop
    usr/share/icons/hicolor/scalable/apps/tavolim.svg
    usr/share/doc/tavolim/manual.md
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/tavolim.png")
done
for f in "${expected[@]}"; do
    [ -s "$root/$f" ] || fail "falta /$f"
done
# Nothing outside /usr, nothing that only the build needs.
unexpected=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr; \
    find . \( -name '*.a' -o -name '*.h' -o -name '*.cmake' \))
[ -z "$unexpected" ] || fail "arquivos inesperados no pacote: $unexpected"
cmp -s docs/manual.md "$root/usr/share/doc/tavolim/manual.md" || fail "o manual instalado difere"

# Each PNG holds the size its folder names (width and height in the IHDR chunk).
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in 16 22 24 32 48 64 128 256; do
    got=$(png_size "$root/usr/share/icons/hicolor/${size}x${size}/apps/tavolim.png")
    [ "$got" = "${size}x${size}" ] || fail "ícone ${size}x${size} tem ${got}"
done

desktop=$root/usr/share/applications/tavolim.desktop
desktop-file-validate "$desktop" || fail "entrada de menu inválida"
grep -qx 'Name=Tavolim — Locadora' "$desktop" || fail "nome da entrada de menu"
grep -qx 'Exec=tavolim' "$desktop" || fail "Exec da entrada de menu"
grep -qx 'Icon=tavolim' "$desktop" || fail "Icon da entrada de menu"

# What apt must bring on a fresh machine; each one must be a package Debian has.
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6charts6 \
         libarchive13 qt6-qpa-plugins qt6-translations-l10n; do
    [[ ", $depends," == *", $p "* || ", $depends," == *", $p,"* ]] || fail "dependência sem $p: $depends"
done
if command -v apt-cache > /dev/null && apt-cache show libqt6core6 > /dev/null 2>&1; then
    for p in $(echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/|.*//' | tr -d ' '); do
        apt-cache show "$p" > /dev/null 2>&1 || fail "o Debian não tem o pacote $p"
    done
fi

# The installed tool makes a new store.
store=$scratch/loja
"$root/usr/bin/tavolim-tool" --dados "$store" init || fail "tavolim-tool init falhou"
for f in tavolim.ini Config.ini; do
    [ -s "$store/$f" ] || fail "init não fez $f"
done
tvl=$(find "$store" -maxdepth 1 -name '*.tvl' | wc -l)
[ "$tvl" -ge 10 ] || fail "init fez só $tvl arquivos .tvl"
"$root/usr/bin/tavolim-tool" --dados "$store" lista clientes > /dev/null 2>&1 \
    || fail "tavolim-tool não lê a loja que fez"

# The installed program, whose folder is read-only and holds no store, makes its store in the
# per-user data folder and waits on the "Nova locadora" message.
home=$scratch/home
mkdir -p "$home"
user_store=$home/.local/share/Tavolim/Tavolim
HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config \
    XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=offscreen "$root/usr/bin/tavolim" \
    > "$scratch/program.log" 2>&1 &
program_pid=$!
for _ in $(seq 1 300); do
    [ -s "$user_store/tavolim.ini" ] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$user_store/tavolim.ini" ] || { cat "$scratch/program.log" >&2; fail "o programa instalado não fez a loja em $user_store"; }
[ ! -e "$root/usr/bin/tavolim.ini" ] || fail "o programa escreveu na pasta do programa"
kill "$program_pid" 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
program_pid=""

size=$(stat -c %s "$deb")
installed=$(du -sk "$root" | cut -f1)
echo "Pacote $(basename "$deb"): $((size / 1024)) KiB; instalado: ${installed} KiB em $(cd "$root" && find . -type f | wc -l) arquivos; entrada de menu, ícones, manual, dependências, init e primeira execução conferidos."
