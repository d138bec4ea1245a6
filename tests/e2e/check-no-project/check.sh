[ -z "$(find projects -name '*_qa.txt')" ]
