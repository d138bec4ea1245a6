[ -z "$(find projects -type f ! -path 'projects/tester/*')" ]
