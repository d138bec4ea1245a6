rm -f resources/projectscodes/*
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION"\r\n' > resources/klvprojects.txt
