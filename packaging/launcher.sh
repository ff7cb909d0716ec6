#!/bin/sh
# Starts Tavelor from its program folder, lib/tavelor/ beside this bin/ folder: the program keeps
# its language files and tv.ini there, so it must run from the folder it was installed into.
# Follows symbolic links to this script, so a link to it anywhere on the PATH works too.
self=$(readlink -f -- "$0") || self=$0
prefix=$(dirname -- "$(dirname -- "$self")")
exec "$prefix/lib/tavelor/tavelor" "$@"
