printf '"%s","long"\r\n' "$(printf 'u%.0s' $(seq 50))" > "$W/resources/usernames.txt"
