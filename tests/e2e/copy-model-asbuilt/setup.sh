mkdir -p templates/Civil && printf 'site plan template' > "templates/Civil/Site Plan.dwg"
# A marker left by an earlier copy is not written again.
mkdir -p projects/PROJECTS/KLV-13000-C000 && printf 'keep me' > "projects/PROJECTS/KLV-13000-C000/TRV version 5.0"
