rm -rf delivery
printf 'in the way' > delivery
printf 'doc' > resources/Standard_documents/a.doc
