set -e
# Nothing that was on the drive changed or went; nothing was added to the
# project tree; the user's new drawing type choice was saved.
(cd projects && find . -type f -exec sha1sum {} + | sort -k2) > after.sha1
diff <(grep -v curdrawingtype before.sha1) <(grep -v curdrawingtype after.sha1)
printf '"AS-BUILT"\r\n' | cmp - projects/tester/PROJECTS/curdrawingtype.txt
[ -z "$(find projects/PROJECTS -newer before.sha1)" ]
