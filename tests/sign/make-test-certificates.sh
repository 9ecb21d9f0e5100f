#!/usr/bin/env bash
# Makes the certificates the signature tests sign with, into OUT (made when missing):
#   lab-ca.pem               the lab's CA, which the lab trusts (trust/ holds it alone)
#   ivanova.p12, petrov.p12  two signers of the lab, valid now (password "secret")
#   expired.p12              a signer of the lab whose certificate ran out in 2021
#   stranger.p12             a signer whose certificate another CA issued (other-ca.pem)
#   no-key.p12               Иванова's certificate without its private key
# Usage: make-test-certificates.sh OUT
set -euo pipefail
out=$1
mkdir -p "$out/trust" "$out/db"
cd "$out"
: >db/index.txt
echo 1000 >db/serial
cat >ca.cnf <<'CONF'
[ca]
default_ca = lab
[lab]
database = db/index.txt
serial = db/serial
new_certs_dir = db
default_md = sha256
policy = any
unique_subject = no
x509_extensions = signer
[any]
countryName = optional
organizationName = optional
commonName = supplied
[signer]
basicConstraints = CA:FALSE
keyUsage = digitalSignature, nonRepudiation
CONF

quiet() { "$@" >/dev/null 2>&1 || { echo "make-test-certificates: $* failed" >&2; "$@"; exit 1; }; }

ca() {  # NAME SUBJECT
  quiet openssl req -x509 -newkey rsa:2048 -nodes -keyout "$1.key" -out "$1.pem" -days 3650 -utf8 -subj "$2"
}
signer() {  # NAME SUBJECT CA [START END]
  quiet openssl req -newkey rsa:2048 -nodes -keyout "$1.key" -out "$1.csr" -utf8 -subj "$2"
  local dates=(-days 3650)
  [[ $# -ge 5 ]] && dates=(-startdate "$4" -enddate "$5")
  quiet openssl ca -batch -config ca.cnf -cert "$3.pem" -keyfile "$3.key" -in "$1.csr" -out "$1.pem" \
    -utf8 -notext "${dates[@]}"
  quiet openssl pkcs12 -export -in "$1.pem" -inkey "$1.key" -out "$1.p12" -passout pass:secret -name "$1"
}

ca lab-ca "/C=RU/O=Лаборатория/CN=Лаборатория, УЦ"
ca other-ca "/C=RU/O=Другая/CN=Чужой УЦ"
cp lab-ca.pem trust/
signer ivanova "/C=RU/O=Лаборатория/CN=Иванова Анна Андреевна" lab-ca
signer petrov "/C=RU/O=Лаборатория/CN=Петров Пётр" lab-ca
signer expired "/C=RU/O=Лаборатория/CN=Сидоров Сидор" lab-ca 20200101000000Z 20210101000000Z
signer stranger "/C=RU/O=Другая/CN=Незнакомец" other-ca
quiet openssl pkcs12 -export -nokeys -in ivanova.pem -out no-key.p12 -passout pass:secret
