#!/usr/bin/env bash
# Installs the Debian packages of scripts/packages.txt that are missing.
# Idempotent and quiet when everything is there already.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mapfile -t wanted < <(grep -v -e '^#' -e '^[[:space:]]*$' "$here/packages.txt")
missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
if ((${#missing[@]} > 0)); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# A common desktop locale, for the tests that sort as a user's desktop does.
if ! locale -a 2>/dev/null | grep -qix 'en_US\.utf-\?8'; then
  echo "setup: generating the en_US.UTF-8 locale"
  "${sudo_cmd[@]}" localedef -i en_US -f UTF-8 en_US.UTF-8
fi
