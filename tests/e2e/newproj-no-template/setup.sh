# No sheet template: the copy fails after the record and the list line.
printf '"Harbour Works Unit","HWU"\r\n' > resources/Units.txt
rm resources/projectscodes/KLV-13000-C000.txt
