rm -r resources/projectscodes
