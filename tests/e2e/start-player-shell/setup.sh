# A file stands where the user's state folder should be; the document exists.
mkdir -p projects/tester
printf 'in the way' > projects/tester/PROJECTS
printf 'doc' > resources/Standard_documents/klv-cadd-std-06.doc
