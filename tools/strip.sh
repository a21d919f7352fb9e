#!/bin/sh
# Strips installed binaries as Debian's own tools do, notes and compiler banners included.
exec strip --remove-section=.comment --remove-section=.note "$@"
