mkdir -p templates/Architectural && printf 'floor plan template' > "templates/Architectural/Floor Plan.dwg"
cat > window-copy.txt <<'SCRIPT'
choose cmbProjectCode KLV-13000-C000
choose cmbdesignasbuilt "Design Drawings"
set txtfacilitynb 01
choose cmbdisciplines Architectural
choose cmbModels "Floor Plan"
click cmdcode12
choose frmArchitecture.cmbDrawingtype Floor
set frmArchitecture.cmbfbnumber 1
click frmArchitecture.Command1
click cmdCopyModel
SCRIPT
