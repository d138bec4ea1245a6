# A real klv2contractor whose klv_resources leads back to the resource folder.
mkdir -p resources/Standard_documents delivery/klv2contractor
printf 'doc' > resources/Standard_documents/a.doc
ln -s ../../resources delivery/klv2contractor/klv_resources
