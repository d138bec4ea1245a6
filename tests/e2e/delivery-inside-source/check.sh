set -e
aec=resources/AEC_Resources/out/klv2contractor/klv_resources/AEC_Resources
cmp resources/AEC_Resources/symbol.dwg $aec/symbol.dwg
[ -d $aec/out ] && [ -z "$(ls -A $aec/out)" ]
