# Folders and files that exist but that the user may not use: the projects
# drive read-only, the template folder unreadable, the delivery folder not
# even to be entered, the project records and a data file unreadable.
chmod a-w projects
chmod a-r templates
chmod a-rwx delivery
chmod a-r resources/projectscodes resources/vb_server/modelfilescodes.txt
