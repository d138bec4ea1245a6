printf '%s\r\n' '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION"' '"KLV-21400-PB00","NORTH DEPOT WORKSHOPS"' \
    "\"KLV-30000-C000\",\"BUREAU D'$(printf '\xc3\x89')TUDES\"" "\"KLV-31000-C000\",\"CAF$(printf '\xc3\x89') DU PORT\"" '' |
    cmp - resources/klvprojects.txt
