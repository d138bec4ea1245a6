[ -z "$(find projects/PROJECTS -type f)" ]
