# Names that differ only in letter case (files and folders), a link to a file
# outside the resources, and TRV's temporary files: one a source holds (left
# by a killed writer), one stale in the delivery tree from a killed delivery.
d=resources/Standard_documents
printf 'upper' > $d/A.txt
printf 'lower' > $d/a.txt
mkdir -p $d/Sub $d/sub
printf 'one' > $d/Sub/one.txt
printf 'two' > $d/sub/two.txt
printf 'secret' > outside.txt
ln -s ../../outside.txt $d/link.txt
printf 'partial' > $d/.trv-Ab12Cd
out=delivery/klv2contractor/klv_resources/Standard_documents
mkdir -p $out
printf 'stale' > $out/.trv-Zz99yy
touch -d '2 minutes ago' $out/.trv-Zz99yy
