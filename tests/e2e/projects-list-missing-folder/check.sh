printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION"\r\n' | cmp - resources/klvprojects.txt
