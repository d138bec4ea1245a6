printf '\r\n' | cmp - resources/klvprojects.txt
