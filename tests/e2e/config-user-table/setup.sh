{
    printf '"tester","first"\r\n'
    printf '\r\n'
    printf '"Tester","upper"\r\n'
    printf '  \r\n'
    printf 'tester , second \r\n'
    printf '"TESTER","caps"\r\n'
    printf '\r\n'
} > "$W/resources/usernames.txt"
