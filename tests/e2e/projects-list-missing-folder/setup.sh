# The record folder is not there (a share that did not answer, say).
rm -rf resources/projectscodes
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION"\r\n' > resources/klvprojects.txt
