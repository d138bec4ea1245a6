# A record that the office's earlier tool wrote in Windows-1252 beside one in UTF-8.
printf '"KLV-30000-C000","BUREAU D\x27\xc9TUDES"\r\n' > resources/projectscodes/KLV-30000-C000.txt
printf '"KLV-31000-C000","CAF\xc3\x89 DU PORT"\r\n' > resources/projectscodes/KLV-31000-C000.txt
