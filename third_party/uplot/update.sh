#!/bin/sh
# Fetches uPlot from the npm registry, exactly the pinned version, checks the package
# against the registry's integrity record pinned here and the files against SHA256SUMS,
# and puts its built script, style sheet and license in this folder. The build embeds
# the committed files into fxmonitor-replay's report; nothing is fetched at build time.
#
#   third_party/uplot/update.sh          fetch, check, copy
#   third_party/uplot/update.sh --check  fetch and check the committed files only
#
# To move to another version: change VERSION and INTEGRITY (npm view uplot@V
# dist.integrity), run this, check the report with `make report`, and rewrite
# SHA256SUMS with `sha256sum uPlot.iife.min.js uPlot.min.css LICENSE > SHA256SUMS`.
set -eu
VERSION=1.6.32
INTEGRITY=sha512-KIMVnG68zvu5XXUbC4LQEPnhwOxBuLyW1AHtpm6IKTXImkbLgkMy+jabjLgSLMasNuGGzQm/ep3tOkyTxpiQIw==

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$work"
npm pack --silent "uplot@$VERSION" >/dev/null
tarball=uplot-$VERSION.tgz
actual="sha512-$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)"
if [ "$actual" != "$INTEGRITY" ]; then
    echo "uplot@$VERSION: the package's integrity is $actual, not the pinned $INTEGRITY" >&2
    exit 1
fi
tar xzf "$tarball"
cp package/dist/uPlot.iife.min.js package/dist/uPlot.min.css package/LICENSE .
if ! sha256sum --quiet -c "$here/SHA256SUMS"; then
    echo "uplot@$VERSION: the files differ from SHA256SUMS" >&2
    exit 1
fi
if [ "${1:-}" = "--check" ]; then
    for file in uPlot.iife.min.js uPlot.min.css LICENSE; do
        cmp -s "$file" "$here/$file" || { echo "$file differs from the package" >&2; exit 1; }
    done
    echo "uplot@$VERSION: the committed files are the package's"
    exit 0
fi
cp uPlot.iife.min.js uPlot.min.css LICENSE "$here/"
echo "uplot@$VERSION: copied into $here"
