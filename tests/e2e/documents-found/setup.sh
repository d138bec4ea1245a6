# Every document there, some stored in other letter case; both copies of the
# drafting conventions, only the CAD-standards product's copy of the notations.
rmdir resources/Standard_documents
mkdir -p resources/standard_documents "resources/AEC_Resources/docs/AEC v3" resources/AEC_Resources/docs/NCS \
    "velunor/Standards/National CAD Standard/docs"
printf 'manual' > resources/standard_documents/KLV-CADD-STD-07.DOC
printf 'models' > resources/standard_documents/klv-cadd-std-02.xls
printf 'symbols' > "resources/AEC_Resources/docs/AEC v3/AppendixD.pdf"
printf 'ncs 4' > "resources/AEC_Resources/docs/NCS/07_Drafting Conventions.pdf"
printf 'ncs 4' > "velunor/Standards/National CAD Standard/docs/07_Drafting Conventions.pdf"
printf 'ncs 11' > "velunor/Standards/National CAD Standard/docs/11_Notations.pdf"
