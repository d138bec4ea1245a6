[ -z "$(find projects -name '*.dwg')" ]
