# The office's folders named from the office itself (trv runs in it), so
# that the progress window shows the files of the office being delivered
# rather than the folder of the machine that takes the pictures.
sed -i "s|=$W/|=./|" trv.ini
