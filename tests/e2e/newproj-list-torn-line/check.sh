set -e
printf '"KLV-21400-PB00","NORTH DEPOT WORKSHOPS","KLV-21400-PB00"\r\n"KLV-13000-C000","QUAY","KLV-13000-C000"\r\n' |
    cmp - resources/klvprojects.txt
