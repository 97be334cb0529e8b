#!/usr/bin/env bash
# Typesets the algorithm-sheet pages and the glossary's root sign from their TeX sources into the SVG pictures
# that the program compiles in, with the glyphs as outlines so that no font is needed at run time.  Building the
# program needs none of this: the SVGs are committed.  Installs the TeX packages it needs when they are missing.
#
#   tools/sheets/render.sh              every page (Italian formNN and English formNN_en) and the root sign
#   tools/sheets/render.sh form19 ...   only those pages (names of assets/sheets/*.tex: form19, form19_en, ...)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
sources="$root/assets/sheets"

packages=(texlive-latex-base dvisvgm)
"$root/tools/install-missing.sh" "${packages[@]}"

if [ $# -gt 0 ]; then
  pages=("$@")
else
  pages=()
  for tex in "$sources"/form*.tex "$sources"/sqrt_hz.tex; do pages+=("$(basename "$tex" .tex)"); done
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$sources"/*.tex "$work"/
for page in "${pages[@]}"; do
  [ -f "$work/$page.tex" ] || { echo "no such page: $page" >&2; exit 2; }
  (cd "$work" && latex -interaction=nonstopmode -halt-on-error "$page.tex" >/dev/null) ||
    { sed -n '/^!/,+4p' "$work/$page.log" >&2; echo "$page: TeX failed" >&2; exit 1; }
  # The root sign sits beside the glossary's pictures; the pages stay with their sources.
  out="$sources/$page.svg"
  [ "$page" = sqrt_hz ] && out="$root/assets/sqrt_hz.svg"
  dvisvgm --no-fonts --bbox=papersize --optimize --precision=4 --verbosity=1 -o "$out" "$work/$page.dvi"
  echo "$page -> ${out#"$root"/}"
done
