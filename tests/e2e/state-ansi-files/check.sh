set -e
printf '"KLV-17000-C000","BUREAU D'"'"'\303\211TUDES","KLV-17000-C000"\r\n' | cmp - "projéts/Zoé/PROJECTS/curproject.txt"
