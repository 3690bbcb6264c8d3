#!/usr/bin/env bash
# Fails when a file in a Qt-free layer includes a Qt header.
set -u
cd "$(dirname "$0")/.."
hits=$(grep -rnE '#\s*include\s*[<"]Q[A-Za-z]*[>"/]|#\s*include\s*[<"]Qt' \
         common numerics geometry analysis io print cli \
         $(find plot -mindepth 1 -maxdepth 1 ! -name qt) 2>/dev/null)
if [ -n "$hits" ]; then
  echo "Qt included below the Qt line:"
  echo "$hits"
  exit 1
fi
echo "no Qt includes in the Qt-free layers"
