printf '"Harbour Works Unit","HWU"\r\n"Other units","OTH"\r\n' > resources/Units.txt
