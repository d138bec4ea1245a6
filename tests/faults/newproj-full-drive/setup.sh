# The resource folder on a small drive with one free page: the new record
# takes it, and the projects list, whose last page is nearly full, cannot
# grow by a line. Needs root (mount), which CI has.
if [[ $(id -u) -ne 0 ]]; then
    echo "SKIPPED: mounting a small drive needs root"
    exit 77
fi
owner=$(stat -c %u:%g bin)
mv resources resources.real
mkdir resources
if ! mount -t tmpfs -o size=256k,mode=0755 trv-full resources 2> /dev/null; then
    echo "SKIPPED: a tmpfs cannot be mounted here"
    exit 77
fi
cp -a resources.real/. resources/
rm resources/projectscodes/KLV-13000-C000.txt
printf '"Harbour Works Unit","HWU"\r\n' > resources/Units.txt
printf 'sheet template\r\n' > sheet_templates/KLV_TEMPLATE.dwg
# 4086 bytes of whole lines: 10 bytes left on the list's last page.
{
    printf '"KLV-21400-PB00","'
    head -c 4048 /dev/zero | tr '\0' 'N'
    printf '","KLV-21400-PB00"\r\n'
} > resources/klvprojects.txt
[[ $(stat -c %s resources/klvprojects.txt) == 4086 ]]
chown -R "$owner" resources
head -c 4096 /dev/zero > resources/spare
dd if=/dev/zero of=resources/fill bs=4096 > /dev/null 2>&1 || true
rm resources/spare
