# The delivery tree's first folder leads to the shared AEC resources.
mkdir -p resources/AEC_Resources
printf 'symbol' > resources/AEC_Resources/symbol.dwg
ln -s ../resources/AEC_Resources delivery/klv2contractor
