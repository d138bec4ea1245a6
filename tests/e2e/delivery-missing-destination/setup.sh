rm -rf delivery
printf 'doc' > resources/Standard_documents/a.doc
