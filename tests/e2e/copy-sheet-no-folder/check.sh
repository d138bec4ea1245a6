[ ! -e projects/PROJECTS/KLV-13000-C000 ]
