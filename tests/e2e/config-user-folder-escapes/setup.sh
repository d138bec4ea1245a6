# The user's only rows name folders that are no plain folder name: three
# levels up, an absolute path, a way up behind backslashes.
printf '"tester","../../../escape1"\r\n"tester","/abs/path"\r\n"tester","a\\..\\..\\x"\r\n' > resources/usernames.txt
