cmp templates/Architectural/Legend.dwg projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/MODEL_FILES/KLV-13000-C000-01-A-LG-00-00.dwg
