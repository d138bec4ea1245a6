mkdir -p resources/Standard_documents "resources/AEC_Resources/docs/AEC v3" resources/AEC_Resources/docs/ncs
printf 'manual' > resources/Standard_documents/klv-cadd-std-07.doc
printf 'models' > resources/Standard_documents/klv-cadd-std-02.xls
printf 'symbols' > "resources/AEC_Resources/docs/AEC v3/AppendixD.pdf"
printf 'ncs 4' > "resources/AEC_Resources/docs/ncs/07_Drafting Conventions.pdf"
printf 'ncs 11' > "resources/AEC_Resources/docs/ncs/11_Notations.pdf"
