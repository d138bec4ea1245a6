# Rows of the user that are no plain folder name, and one with an empty folder
# (a way up behind backslashes is the window's case: Wine shows it with slashes).
printf '"tester","../../../escape1"\r\n"tester","/abs/path"\r\n"tester","C:"\r\n"tester",""\r\n"tester","."\r\n' > resources/usernames.txt
